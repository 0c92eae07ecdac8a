// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TimeText.h"

std::string TimeTextOf(std::int32_t seconds) {
    const std::int32_t hours = seconds / 3600;
    const std::int32_t minutes = seconds / 60 - hours * 60;
    return std::to_string(hours) + ":" + std::to_string(minutes) + ":" +
           std::to_string(seconds % 60);
}
