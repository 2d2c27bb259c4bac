#pragma once
// The prompt panel of the status bar breaks its text into lines and keeps the
// height the longest of its prompts needs at the panel's width, so the bar
// keeps its height from field to field; no word of a prompt is cut, and a
// longer text (a path) breaks inside words and makes the bar taller. A change
// of the bar's height or of its panels is reported: the window's layout ends
// above the bar, and the window is never narrower than the bar's panels.

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class QLabel;

namespace kronel {

class StatusZeilen final : public QObject {
public:
    StatusZeilen(QLabel* panel, QStringList hinweise, std::function<void()> leisteGeaendert);
    ~StatusZeilen() override;

    // Shows the text; false when it is shown already.
    bool Setzen(const QString& text);
    // The panel's height that shows each prompt whole at the width breite.
    int Hoehe(int breite) const;
    // The width of the widest word of the prompts in the panel.
    int Breite() const;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    QLabel* panel_;
    QStringList hinweise_;
    std::function<void()> leisteGeaendert_;
    void Zeigen();
    // The height of the text, the width of a word, each in a label like the panel.
    int HoeheVon(const QString& text, int breite) const;
    int BreiteVon(const QString& wort) const;

    QString text_;
    int breite_ = -1;
    int mindestBreite_ = -1;
    int hinweisHoehe_ = 0;
    std::unique_ptr<QLabel> mass_;
};

}  // namespace kronel
