#include "wmf/wmflog.h"

Q_LOGGING_CATEGORY(lcMetafile, "kelvarin.metafile", QtInfoMsg)
