#pragma once

#include <QIcon>

// The program's icon, built into the program: the three images of its icon file (32 x 32 in
// 16 colours and in two, 16 x 16 in 16 colours) and the larger sizes of the desktop's icon
// theme, for task switchers and high-resolution screens.
QIcon programIcon();
