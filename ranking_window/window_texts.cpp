// What the ranking window says, in Italian or English: its captions and the status line.

#include "ranking_window/ranking_window.h"

#include "ranking_window/goal_box.h"
#include "ranking_window/ranking_table_model.h"
#include "texts/ranking_window_words.h"
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

using namespace window_words;

void RankingWindow::setLanguage(Language language)
{
    language_ = language;
    const auto l = language;
    setWindowTitle(words::kRankingTitle.in(l));
    c_.melee->setText(words::kMelee.in(l));
    c_.bows->setText(words::kBows.in(l));
    c_.wieldable->setText(kWieldable.in(l));
    compareAction_->setText(kCompare.in(l));
    c_.exportCsv->setText(kExportButton.in(l));
    inputs_->setCaptions({kCaptions[0].in(l), kCaptions[1].in(l), kCaptions[2].in(l)});
    searchLabel_->setText(kCaptions[3].in(l));
    c_.search->setAccessibleName(toolkit::spoken(kCaptions[3].in(l)));
    goalBox_->setCaptions({kGoals[0].in(l), kGoals[1].in(l), kGoals[2].in(l), kGoals[3].in(l)},
                          kGoalName.in(l), kGoalValueName.in(l));
    c_.search->setPlaceholderText(kSearchHint.in(l));
    c_.table->setAccessibleName(kTableName.in(l));
    source_->setLanguage(language);
    showStatus();
}

void RankingWindow::showStatus()
{
    const auto l = language_;
    const bool melee = source_->mode() == Mode::Melee;
    QString counts = (melee ? kWeaponCount : kBowCount).in(l).arg(source_->rowCount());
    const int bySearch = proxy_->hiddenBySearch(), byStrength = proxy_->hiddenByStrength();
    if (bySearch + byStrength > 0) {
        QStringList why;
        if (bySearch)
            why << kHiddenBySearch.in(l).arg(bySearch);
        if (byStrength)
            why << kHiddenByStrength.in(l).arg(byStrength);
        counts += (melee ? kWeaponsHidden : kBowsHidden)
                      .in(l)
                      .arg(bySearch + byStrength)
                      .arg(why.join(QStringLiteral(", ")));
    }
    // Half-typed inputs are not a mistake yet: a hint naming what is still to type, not the main
    // window's refusal.
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
        message = kNoLevel.in(l);
    const QString text = message.isEmpty() ? counts : counts + QStringLiteral(" — ") + message;
    c_.status->setText(text);
    // A name of its own would hide the text from screen readers: the name carries it.
    c_.status->setAccessibleName(kStatusName.in(l) + text);
}

void RankingWindow::setNote(const QString &note)
{
    note_ = note;
    showStatus();
}

} // namespace harmtally::ranking
