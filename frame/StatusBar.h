#pragma once

#include <QWidget>

// The main window's status bar: two sunken panels, the first one showing
// the current hint. Its labels and picture are placed on it by the window.
class StatusBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 22;
    static constexpr int kPanel0Width = 290;

    explicit StatusBar(QWidget* parent);

    QString panelText() const { return text_; }
    void setPanelText(const QString& text);

    // Where panel 0 and panel 1 are drawn. The last panel reaches the bar's
    // right end, as a status bar's last panel does whatever its width, so
    // the count and its label lie inside it.
    QRect panelRect(int panel) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};
