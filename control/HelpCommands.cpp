// The Help menu: how to play, the rules, and the about window.

#include "app/Forms.h"
#include "app/TForm1.h"
#include "view/TForm6.h"
#include "view/TForm7.h"

void TForm1::Howtoplay1Click() {
    ShowHowToPlay(*Form6);
}

void TForm1::Rules1Click() {
    ShowRules(*Form6);
}

void TForm1::About2Click() {
    Form7->ShowModal();
}
