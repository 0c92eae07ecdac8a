// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Forms.h"

#include "app/TForm1.h"
#include "engine/TextLines.h"
#include "view/BoardArea.h"
#include "view/Pictures.h"
#include "view/TForm2.h"
#include "view/TForm3.h"
#include "view/TForm4.h"
#include "view/TForm6.h"
#include "view/TForm7.h"

#include <QPlainTextEdit>

#include <memory>

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm6* Form6 = nullptr;
TForm7* Form7 = nullptr;

namespace {

// The diagnostic log, kept in the main window's hidden text box.
class LogLines : public TextLines {
  public:
    explicit LogLines(QPlainTextEdit& memo) : Memo(memo) {}
    void Append(std::string_view line) override {
        Memo.appendPlainText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    }

  private:
    QPlainTextEdit& Memo;
};

std::unique_ptr<LogLines> Log;
std::unique_ptr<ProgressLines> Progress;
DroppedLines Nowhere;

} // namespace

void CreateForms() {
    LoadGameResources();
    Form1 = new TForm1;
    Form2 = new TForm2(Form1);
    Form3 = new TForm3(Form1);
    Form4 = new TForm4(Form1);
    Form6 = new TForm6(Form1);
    Form7 = new TForm7(Form1);
    Form1->ProgressWindow = Form2;
    Form1->NotificationWindow = Form3;
    Form1->BestTimesWindow = Form4;
    Form1->HelpWindow = Form6;
    Form1->AboutWindow = Form7;
    Form1->ClientArea->Notification = Form3;
    Log = std::make_unique<LogLines>(*Form1->Memo1);
    Progress = std::make_unique<ProgressLines>(*Form2);
    DiagnosticLog = Log.get();
    ProgressText = Progress.get();
}

void DestroyForms() {
    DiagnosticLog = &Nowhere;
    ProgressText = &Nowhere;
    Progress.reset();
    Log.reset();
    // The secondary windows are children of the main window and go with it.
    delete Form1;
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form6 = nullptr;
    Form7 = nullptr;
}
