// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's texts that a player reads (level names, the progress lines) stay the design's
// English here, plain C strings; the windows translate them. The engine knows nothing of Qt, so
// the marker that lets Qt's lupdate collect them is defined here as Qt defines it: the text
// itself.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
