#include "engine/TextLines.h"

namespace {
DroppedLines Nowhere;
}

TextLines* DiagnosticLog = &Nowhere;
TextLines* ProgressText = &Nowhere;
