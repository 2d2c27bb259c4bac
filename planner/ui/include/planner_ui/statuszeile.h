#pragma once
// The prompt panel of the status bar keeps one height for the run: the height
// the longest field prompt needs at the width where each prompt takes at most
// two lines, and the panel is never narrower than that, so the bar never moves
// the list and the editor above it. Every prompt is shown whole; a longer text
// (where a printout went) is shortened to that height, its whole text then in
// the tooltip. A change of the bar's height or of its panels is reported: the
// window's layout ends above the bar, and the window is never narrower than
// the bar's panels.

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class QLabel;

namespace kronel {

// The text as far as passt allows: whole; else with the folder of the file
// named between » and « shortened in its middle, the file name kept; else
// without the words before », from the first on; else with the file name
// shortened in its middle as well; else cut at its end. "…" marks what is
// left out.
QString HinweisKuerzen(const QString& text, const std::function<bool(const QString&)>& passt);

class StatusZeilen final : public QObject {
public:
    StatusZeilen(QLabel* panel, QStringList hinweise, std::function<void()> leisteGeaendert);
    ~StatusZeilen() override;

    // Shows the text; false when it is shown already.
    bool Setzen(const QString& text);
    // The panel's least width and its height for the run.
    int Breite() const { return breite_; }
    int Hoehe() const { return hoehe_; }

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;
    // The filter's own work, which eventFilter runs under the guard.
    bool Filtern(QObject* ziel, QEvent* e);

private:
    void Zeigen();
    // The height of the text, the width of a word, each in a label like the panel.
    int HoeheVon(const QString& text, int breite) const;
    int BreiteVon(const QString& wort) const;
    // The height the prompts need at that width.
    int HinweisHoehe(int breite) const;

    QLabel* panel_;
    QStringList hinweise_;
    std::function<void()> leisteGeaendert_;
    std::unique_ptr<QLabel> mass_;
    QString tip_;
    QString text_;
    int breite_ = 1;
    int hoehe_ = 0;
    int gezeigtBreite_ = -1;
    int mindestBreite_ = -1;
};

}  // namespace kronel
