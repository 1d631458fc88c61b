#pragma once

// The best at each strength: for the melee weapons, or every bow with every arrow kind, the runs
// of strength over the chart's range in which one choice deals the most among those the player
// can wield, by the maximum or the minimum; the selected one is offered to the comparison.

#include "ranking/planning.h"
#include "texts/language.h"

#include <QGroupBox>
#include <QLocale>

#include <vector>

class QCheckBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace harmtally::plan {

class BandsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit BandsPanel(const QLocale &locale, QWidget *parent = nullptr);

    Mode catalogue() const;
    void setCatalogue(Mode mode);
    // Lists the bands over the whole strengths from..to; only a change of range, catalogue,
    // measure, language or level searches the catalogue again.
    void update(double from, double to, const QString &level, Language language);
    // Selects the band the strength is in: where the player stands on the path.
    void selectAt(double strength);
    const std::vector<ranking::Band> &bands() const { return bands_; }

    void setCaptions(const QString &title, const QString &melee, const QString &bows,
                     const QString &byMinimum, const QString &take);

    QRadioButton *melee() const { return melee_; }
    QRadioButton *bows() const { return bows_; }
    QCheckBox *byMinimum() const { return byMinimum_; }
    QListWidget *list() const { return list_; }
    QPushButton *take() const { return take_; }

signals:
    void catalogueChanged();
    void measureChanged();
    // The band chosen (Enter, a double-click, the button): its pick goes into the comparison.
    void taken(const ranking::Pick &pick);

private:
    void takeCurrent();

    QLocale locale_;
    QRadioButton *melee_;
    QRadioButton *bows_;
    QCheckBox *byMinimum_;
    QListWidget *list_;
    QPushButton *take_;
    std::vector<ranking::Band> bands_;
    QString foundFor_; // what the bands were last found for
};

} // namespace harmtally::plan
