// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled into every program that links the test support: the modal-window watchdog starts with
// the application, before any test function runs.

#include "tests/support/ModalHelper.h"

#include <QCoreApplication>

Q_COREAPP_STARTUP_FUNCTION(StartModalWatchdog)
