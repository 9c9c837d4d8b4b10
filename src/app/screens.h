// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"
#include "platform/platform.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>

class QShortcut;

class ContentFolder;
class Grey;
class Guide;
class Intro0;
class Multiple;
class NamePicker;
class ClassRecordScreen;
class RecordSettings;
class TopicMenu;
class Stage;
class Teacher;
class Titlefrm;
class Welldone;
class Wizard;
class Worksheets;
class Wrong;
class ActivityBoard;

// Owns the program's screens. The first reference to a screen creates it with its design values,
// runs its Form_Load to completion and only then hands it out; unload hides it, stops its timers,
// empties its slot at once (the next reference builds it afresh) and destroys it once the running
// handler has returned. A screen whose load fails is unloaded at once and the failure goes on to
// the handler that referred to it.
//
// Each screen's accessor is defined beside the screen itself, as `return get<T>("name");`.
class Screens
{
public:
    Screens(Stage &stage, Platform &platform);
    ~Screens();

    Titlefrm &titlefrm();
    Grey &grey();
    Intro0 &intro0();
    TopicMenu &properties();
    TopicMenu &irreversible();
    Teacher &teacher();
    Guide &guide();
    Multiple &multiple();
    Welldone &welldone();
    Wrong &wrong();
    Wizard &wizard();
    Worksheets &worksheets();
    ActivityBoard &propertieslab();
    ActivityBoard &irreversiblelab();
    ActivityBoard &propertiesord();
    ActivityBoard &irreversibleord();
    NamePicker &namePicker();
    RecordSettings &recordSettings();
    ClassRecordScreen &classRecordScreen();

    void unload(Form &screen);
    bool isLoaded(const QString &name) const { return m_loaded.count(name) != 0; }

    // The state the screens share, one object of each kind (the quiz session, the worksheet list,
    // the settings...), made empty on first use and kept as long as the registry, across the
    // screens that come and go.
    template <class State> State &state()
    {
        std::shared_ptr<void> &held = m_states[std::type_index(typeid(State))];
        if (!held)
            held = std::make_shared<State>();
        return *static_cast<State *>(held.get());
    }

    // The main menu, where the title screen's OK leads. The screens below the menus can't name
    // it, so the program tells the registry at start-up how to show it.
    void setMainMenu(std::function<void()> showMainMenu)
    {
        m_showMainMenu = std::move(showMainMenu);
    }
    void showMainMenu();

    Platform &platform() { return m_platform; }
    Stage &stage() { return m_stage; }
    // The classroom folder every screen finds its files in, the stage's.
    const ContentFolder &classroom() const;

    // The screen of that name, created and loaded on first use. Screen is constructed from
    // (Screens &) or, for the screens built alike from data, from (Screens &, const Data &).
    template <class T, class... Data> T &get(const QString &name, const Data &...data)
    {
        auto it = m_loaded.find(name);
        if (it != m_loaded.end())
            return static_cast<T &>(*it->second);
        auto *screen = new T(*this, data...);
        screen->setObjectName(name);
        // Stored before its load runs, so the load handler's own references reach this screen.
        m_loaded[name] = screen;
        try {
            screen->Form_Load();
        } catch (...) {
            // A half-built screen is never handed out again: the next reference builds it afresh.
            unload(*screen);
            throw;
        }
        return *screen;
    }

private:
    Stage &m_stage;
    Platform &m_platform;
    std::map<std::type_index, std::shared_ptr<void>> m_states;
    std::function<void()> m_showMainMenu;
    std::map<QString, Form *> m_loaded;
    std::unique_ptr<QShortcut> m_switchSound; // Ctrl+M on any screen of the stage
};
