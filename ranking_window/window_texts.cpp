// What the ranking window says, in Italian or English: its captions and the status line.

#include "ranking_window/ranking_window.h"

#include "ranking_window/goal_box.h"
#include "ranking_window/ranking_table_model.h"
#include "toolkit/inputs_row.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace harmtally::ranking {

void RankingWindow::setLanguage(Language language)
{
    language_ = language;
    const auto l = language;
    setWindowTitle(Bilingual{.italian = "Classifica armi", .english = "Rank weapons"}.in(l));
    c_.melee->setText(Bilingual{.italian = "Armi da &mischia", .english = "&Melee"}.in(l));
    c_.bows->setText(Bilingual{.italian = "A&rchi", .english = "&Bows"}.in(l));
    c_.wieldable->setText(
        Bilingual{.italian = "Solo quelle che posso &usare", .english = "Only what I can &wield"}
            .in(l));
    compareAction_->setText(Bilingual{.italian = "Confronta", .english = "Compare"}.in(l));
    c_.exportCsv->setText(Bilingual{.italian = "Esporta &CSV…", .english = "E&xport CSV…"}.in(l));
    static constexpr Bilingual kCaptions[] = {
        {.italian = "&Forza castata:", .english = "Boosted s&trength:"},
        {.italian = "&Secondi:", .english = "&Seconds:"},
        {.italian = "&Livello Trueshot:", .english = "Trueshot &level:"},
        {.italian = "C&erca:", .english = "Searc&h:"},
    };
    inputs_->setCaptions({kCaptions[0].in(l), kCaptions[1].in(l), kCaptions[2].in(l)});
    searchLabel_->setText(kCaptions[3].in(l));
    c_.search->setAccessibleName(toolkit::spoken(kCaptions[3].in(l)));
    static constexpr Bilingual kGoals[] = {
        {.italian = "Nessun obiettivo", .english = "No goal"},
        {.italian = "Ogni colpo almeno", .english = "Every hit at least"},
        {.italian = "Nei secondi almeno", .english = "Over the seconds at least"},
        {.italian = "Nemico con salute", .english = "A foe with health"},
    };
    goalBox_->setCaptions(
        {kGoals[0].in(l), kGoals[1].in(l), kGoals[2].in(l), kGoals[3].in(l)},
        Bilingual{.italian = "Obiettivo", .english = "Goal"}.in(l),
        Bilingual{.italian = "Valore dell'obiettivo", .english = "Goal value"}.in(l));
    c_.search->setPlaceholderText(
        Bilingual{.italian = "nome dell'arma o delle frecce", .english = "weapon or arrow name"}.in(
            l));
    c_.table->setAccessibleName(Bilingual{.italian = "Classifica", .english = "Ranking"}.in(l));
    source_->setLanguage(language);
    showStatus();
}

void RankingWindow::showStatus()
{
    const auto l = language_;
    const bool melee = source_->mode() == Mode::Melee;
    QString counts
        = (melee ? Bilingual{.italian = "%1 armi", .english = "%1 weapons"}
                 : Bilingual{.italian = "%1 archi con frecce", .english = "%1 bows with arrows"})
              .in(l)
              .arg(source_->rowCount());
    const int bySearch = proxy_->hiddenBySearch(), byStrength = proxy_->hiddenByStrength();
    if (bySearch + byStrength > 0) {
        QStringList why;
        if (bySearch)
            why << Bilingual{.italian = "%1 dalla ricerca", .english = "%1 by the search"}
                       .in(l)
                       .arg(bySearch);
        if (byStrength)
            why << Bilingual{.italian = "%1 oltre la tua forza",
                             .english = "%1 above your strength"}
                       .in(l)
                       .arg(byStrength);
        counts
            += (melee ? Bilingual{.italian = ", %1 nascoste (%2)", .english = ", %1 hidden (%2)"}
                      : Bilingual{.italian = ", %1 nascosti (%2)", .english = ", %1 hidden (%2)"})
                   .in(l)
                   .arg(bySearch + byStrength)
                   .arg(why.join(QStringLiteral(", ")));
    }
    // Half-typed inputs are not a mistake yet: a hint naming what is still to type, not the main
    // window's refusal.
    static constexpr Bilingual kBoth{.italian = "Inserire forza e secondi.",
                                     .english = "Enter strength and seconds."};
    static constexpr Bilingual kStrength{.italian = "Inserire la forza castata.",
                                         .english = "Enter the boosted strength."};
    static constexpr Bilingual kSeconds{.italian = "Inserire i secondi.",
                                        .english = "Enter the seconds."};
    const toolkit::TypedInputs typed = inputs_->values();
    const bool noStrength = typed.strength.trimmed().isEmpty();
    const bool noSeconds = typed.seconds.trimmed().isEmpty();
    QString message = note_;
    if (message.isEmpty() && !refusal_.isEmpty())
        message = noStrength && noSeconds ? kBoth.in(l)
                  : noStrength            ? kStrength.in(l)
                  : noSeconds             ? kSeconds.in(l)
                                          : refusal_;
    if (message.isEmpty() && !melee && typed.level.trimmed().isEmpty())
        message = Bilingual{.italian = "Trueshot Quiver senza cifre: inserire il livello Trueshot.",
                            .english = "Trueshot Quiver has no figures until a Trueshot level "
                                       "is typed."}
                      .in(l);
    const QString text = message.isEmpty() ? counts : counts + QStringLiteral(" — ") + message;
    c_.status->setText(text);
    // A name of its own would hide the text from screen readers: the name carries it.
    c_.status->setAccessibleName(Bilingual{.italian = "Stato: ", .english = "Status: "}.in(l)
                                 + text);
}

void RankingWindow::setNote(const QString &note)
{
    note_ = note;
    showStatus();
}

} // namespace harmtally::ranking
