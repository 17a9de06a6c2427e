#pragma once

// The engine's texts (game/user_text.h) looked up as the windows' own are:
// through the translators installed in the application, by context and
// source. QCoreApplication::translate may be called from any thread, as the
// Hard computer's lookahead does while the windows run.

#include "game/user_text.h"

#include <QCoreApplication>
#include <QString>

namespace tycora::ui {

inline void translateEngineTexts()
{
    setTextTranslation([](const char *context, const char *source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
}

// The engine writes English again, as the server and the headless runs do.
inline void leaveEngineTextsInEnglish() { setTextTranslation({}); }

} // namespace tycora::ui
