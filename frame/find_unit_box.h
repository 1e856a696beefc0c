#pragma once

#include <QDialog>

#include <vector>

#include "frame/start_request.h"
#include "tables/unit_finder.h"

class QLineEdit;
class QListWidget;

namespace windows {
class Announcer;
}

namespace frame {

// Find Unit `FindUnit`: a text field (`FindUnitText`) and the units it names,
// best first (`FindUnitList`), filtered as the user types. The arrows move the
// highlight while the focus stays in the field, and a screen reader hears
// each highlighted row by its accessible name ("Torrs, torr, Pressure");
// Enter takes it, Escape closes the box. A query may
// carry a value and a target unit as well: "760 torr", "5 km in mi".
class FindUnitBox : public QDialog {
    Q_OBJECT
public:
    explicit FindUnitBox(QWidget* parent = nullptr);

    // Shows the box in front with `query` in its field, or with the text the
    // user left there; the text is selected, so that typing replaces it.
    void showQuery(const QString* query);

    // The rows as shown, best first.
    QStringList rows() const;

signals:
    void unitChosen(const frame::UnitRequest& request);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateRows();
    void take();

    QLineEdit* m_text;
    QListWidget* m_list;
    windows::Announcer* m_announcer;
    std::vector<tables::UnitMatch> m_matches;
    tables::QueryParts m_parts;
};

}  // namespace frame
