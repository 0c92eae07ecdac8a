// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list of text lines that the engine only ever appends to: the generator's diagnostic log and
// the progress window's text. The game implements them; tests and the benchmark keep the lines in
// memory or drop them.

#include <string>
#include <string_view>
#include <vector>

class TextLines {
  public:
    virtual ~TextLines() = default;
    virtual void Append(std::string_view line) = 0;
};

class StoredLines : public TextLines {
  public:
    void Append(std::string_view line) override { Lines.emplace_back(line); }
    std::vector<std::string> Lines;
};

class DroppedLines : public TextLines {
  public:
    void Append(std::string_view) override {}
};
