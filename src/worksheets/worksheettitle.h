// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A worksheet's title is also the base name of its question-set file, "multiple/<title>.txt", in a
// folder that Windows and Linux machines may share. These rules keep every such file inside
// multiple/, openable on both, and apart from the worksheet index.

// The question-set file that holds the worksheet of this title.
QString worksheetFile(const QString &title);

// Why this title can't name a worksheet's file, in words for the teacher; empty when it can.
// Refused: a path separator or any other character Windows forbids in a file name (: * ? " < > |),
// a control character, a title made only of dots, a name Windows keeps for a device (CON, NUL,
// COM1 ...) and "track", whose file is the worksheet index itself.
QString titleProblem(const QString &title);

// Whether the title names one of the topics' own quizzes ("Properties of Materials", "Changes in
// Materials"), in any letter case. No worksheet may replace them.
bool isTopicQuiz(const QString &title);
