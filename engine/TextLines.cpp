// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TextLines.h"

namespace {
DroppedLines Nowhere;
}

TextLines* DiagnosticLog = &Nowhere;
TextLines* ProgressText = &Nowhere;
