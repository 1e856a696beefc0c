#pragma once

#include <string_view>
#include <vector>

#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>

#include "engine/evaluate.h"
#include "engine/price.h"
#include "engine/status.h"
#include "engine/value_text.h"
#include "windows/child_window.h"
#include "windows/control_text.h"
#include "windows/descriptors.h"
#include "windows/twips.h"
#include "windows/twips_window.h"
#include "windows/window_id.h"

class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace windows {

struct BoxReading;
class HintMarker;
class SelectingLineEdit;

// One category window: a value box, one option, result box and abbreviation
// label per unit of its table, and in four windows a price box and a price
// label per unit. Every change of the value box and every unit pick
// re-evaluates the whole table for the selected unit; the window evaluates
// once as it opens, so it never shows results that do not belong together.
class CategoryWindow : public TwipsWindow, private engine::EvalSink, private engine::PriceSink {
    Q_OBJECT
public:
    CategoryWindow(const WindowDescriptor& descriptor, const engine::NumberFormat& format,
                   QWidget* parent = nullptr);
    ~CategoryWindow() override;

    const WindowDescriptor& descriptor() const { return m_descriptor; }

    // The source unit: the first selected option, scanning from 1; 0 if none.
    int selectedUnit() const;

    // What Copy All Results copies: per unit its caption without "&", its
    // result, its abbreviation and, in the price windows, its price.
    std::vector<QStringList> tableRows() const;

    // For extensions: puts a control of their own at a place given in twips
    // from the window's top left corner, kept there when the layout changes.
    void placeControl(QWidget* control, const QRect& twips);

signals:
    // The side of the square whose area the value box holds (Area window).
    void sideChanged(const QString& text);

private:
    void createTopLine();
    QLabel* createLabel(const QString& text, const char* name);
    SelectingLineEdit* createTypedBox(QLabel& label, const char* name, int maxLength);
    void createRows();
    void connectHandlers();
    struct Widths {
        int prompt = 0, option = 0, caption = 0, abbreviation = 0, priceHeading = 0;
    };
    Widths widths() const;
    void fitGrid(TwipsGrid& grid) const override;
    void placeControls(const TwipsGrid& grid) override;
    void updateSourceNames(int unit);
    QString priceName(int unit) const;
    const QString& spokenName(int unit) const
    {
        return m_spokenUnits[static_cast<std::size_t>(unit - 1)];
    }

    engine::EvalStatus onOptionClicked();
    engine::EvalStatus onValueChanged();
    engine::EvalStatus onPriceChanged();
    void onPriceFocusLost();
    engine::EvalStatus evaluateSelected(const BoxReading& value);
    engine::EvalStatus evaluatePrices(int unit, const BoxReading& price);
    void showValueReading(engine::EvalStatus status, const BoxReading& value);
    void showPriceReading(engine::EvalStatus status, const BoxReading& price);
    void publishReading(const HintMarker* latest);
    QString sourceText() const;
    void useAsValue(int unit, const QString& number);

    // engine::EvalSink and engine::PriceSink: each write lands at once, so a
    // fault part-way leaves the earlier ones on screen.
    void Echo(std::string_view abbreviation) override;
    void Result(int target, std::string_view text) override;
    void Side(std::string_view text) override;
    void Price(int target, std::string_view text) override;

    int unitCount() const { return static_cast<int>(m_table.size); }

    const WindowDescriptor& m_descriptor;
    const engine::UnitTable& m_table;
    const engine::NumberFormat m_format;

    QLabel* m_prompt = nullptr;
    SelectingLineEdit* m_valueBox = nullptr;
    QLabel* m_captionLabel = nullptr;
    QFrame* m_shape = nullptr;
    QFrame* m_frame = nullptr;
    std::vector<QRadioButton*> m_options;
    std::vector<SelectingLineEdit*> m_results;
    std::vector<QLabel*> m_abbreviations;

    QLabel* m_priceHeading = nullptr;
    SelectingLineEdit* m_priceBox = nullptr;
    std::vector<QLabel*> m_priceLabels;
    // Each unit's caption as a screen reader says it, worked out once: the
    // names that carry it are rewritten on every keystroke.
    std::vector<QString> m_spokenUnits;

    // Markers inside the value and price boxes; the count of boxes and labels
    // the running evaluation has written tells which still show older texts.
    HintMarker* m_valueMarker = nullptr;
    HintMarker* m_priceMarker = nullptr;
    int m_resultsWritten = 0;
    bool m_resultsStale = false;
    int m_pricesWritten = 0;
    QString m_publishedReading;

    struct Placement {
        QPointer<QWidget> control;
        QRect twips;
    };
    std::vector<Placement> m_extraControls;
};

}  // namespace windows
