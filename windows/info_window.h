#pragma once

// What the About and Instructions windows share: a design table of opaque labels and one close
// button, and a load that writes the language applied last and puts the focus on that button.

#include "texts/language.h"
#include "toolkit/apply_texts.h"
#include "toolkit/builder.h"
#include "windows/secondary_window.h"

#include <QPushButton>

#include <optional>

namespace harmtally {

template <class Id, std::size_t N> class InfoWindow : public SecondaryWindow {
public:
    QWidget *control(Id id) const { return controls_[id]; }

protected:
    InfoWindow(const toolkit::WindowDesign &design,
               const std::array<toolkit::ControlDesign<Id>, N> &rows, Id closeButton,
               std::optional<Language> language)
        : SecondaryWindow(design)
        , controls_(toolkit::build(*this, rows, toolkit::LabelLook::Opaque))
    {
        load(language, closeButton);
    }

    QPushButton *button(Id id) const { return controls_.template as<QPushButton>(id); }

private:
    // Its texts in the language last applied, if any, and the focus on its close button.
    void load(std::optional<Language> language, Id closeButton)
    {
        if (language)
            applyTexts<Id>(*language, [this](Id id) { return controls_[id]; });
        controls_[closeButton]->setFocus();
    }

    toolkit::Controls<Id, N> controls_;
};

} // namespace harmtally
