#pragma once
// The tool windows' formulas, apart from their widgets, so that each is tested by a table with no
// window at all. Plain C++ (no Qt), one header and unit per window, named after the window class
// without "Tfrm" (TQPA.h for TfrmTQPA), each a namespace of that name holding:
//  - struct Result: `answer`, the value the window displays, and any other value its display or its
//    report lines use besides the texts as typed; the worked solution's steps are to join it;
//  - Result calculate(...): in, the inputs as the window converted them, in the window's order
//    (double from ToolWindow::number, Real where the window keeps the extended value). A window
//    with several calculations has one function for each, named for what it computes.
// Arithmetic goes through Real, so a fault raises the error that the window's error box shows, at
// the step where it happens. Validation and conversion stay in the window: it converts into locals
// first (a call's arguments are evaluated in no fixed order, and the first input that fails is the
// one the error box names), then makes the one call, displays `answer` and records its lines.
#include "core/real.h"
