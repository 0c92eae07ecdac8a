// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The generator's diagnostic log: every attempt, the blocks and the solution of each puzzle. It
// goes to the logging category "tolvane.generator", silent unless asked for, for example with
// QT_LOGGING_RULES="tolvane.generator.debug=true".

#include "engine/TextLines.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(GeneratorLog)

class DiagnosticLines : public TextLines {
  public:
    void Append(std::string_view line) override;
};
