#pragma once

// The Instructions window.

#include "toolkit/builder.h"
#include "windows/secondary_window.h"
#include "windows/window_controls.h"

namespace harmtally {

class Form3 : public SecondaryWindow {
public:
    explicit Form3(Form1 &main);

    QWidget *control(Form3Control id) const { return controls_[id]; }

    void Form_Load();
    void Esci_Click();

private:
    toolkit::Controls<Form3Control, 2> controls_;
};

} // namespace harmtally
