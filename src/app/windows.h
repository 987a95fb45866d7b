#pragma once

#include <QString>

namespace rechnado {

class Form;

// The windows of the program by name, so that one window can reach another without knowing its
// class. The calculator windows are named as modGlobals::aufrufer records them.
namespace windows {

inline const QString kRechnado = QStringLiteral("Rechnado");
inline const QString kSparplan = QStringLiteral("Sparplan");
inline const QString kAbout = QStringLiteral("About");

// Registers a window under its name, in place of any window of that name.
void add(Form &form);
void remove(Form &form);
Form *find(const QString &name);
// The window of that name; it must be registered.
Form &get(const QString &name);
bool anyLoaded();

} // namespace windows
} // namespace rechnado
