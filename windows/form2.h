#pragma once

// The About window.

#include "toolkit/builder.h"
#include "windows/secondary_window.h"
#include "windows/window_controls.h"

namespace harmtally {

class Form2 : public SecondaryWindow {
public:
    explicit Form2(Form1 &main);

    QWidget *control(Form2Control id) const { return controls_[id]; }

    void Form_Load();
    void Command1_Click();

private:
    toolkit::Controls<Form2Control, 3> controls_;
};

} // namespace harmtally
