#pragma once

// A label whose width can follow its caption: with auto-size on, the width
// is right the moment the caption is set, so callers can centre it at once.

#include <QLabel>

namespace tycora::ui {

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr, const QString &caption = {});

    void setCaption(const QString &caption);
    QString caption() const { return text(); }

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);

    void setForeColour(const QColor &colour);
    // An opaque label paints its back colour; a transparent one lets the
    // window behind it show.
    void setBackColour(const QColor &colour);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fit();
    bool autoSize_ = false;
};

} // namespace tycora::ui
