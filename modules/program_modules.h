#pragma once

// The program's modules: parts it loads only when they are first needed
// (the WebSocket connection for network play, the SVG writer of the
// simulation's heat map), so that the libraries they bring are not loaded
// while the game starts. They lie in lib/tycora beside the folder of the
// program, both where it is installed (bin/ and lib/tycora/) and in the
// build tree; nowhere else is searched, so nothing from a folder a user may
// write to is loaded by accident.

#include <QString>

namespace tycora::modules {

// The function `name` of the module, or nullptr with the reason in `why`.
void (*moduleFunction(const QString &module, const char *name, QString *why))();

// Calls as the function type the module exports.
template<typename Function>
Function *moduleFunctionAs(const QString &module, const char *name, QString *why)
{
    return reinterpret_cast<Function *>(moduleFunction(module, name, why));
}

} // namespace tycora::modules
