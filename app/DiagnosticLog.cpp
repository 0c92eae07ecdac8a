// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DiagnosticLog.h"

Q_LOGGING_CATEGORY(GeneratorLog, "tolvane.generator", QtInfoMsg)

void DiagnosticLines::Append(std::string_view line) {
    qCDebug(GeneratorLog, "%.*s", static_cast<int>(line.size()), line.data());
}
