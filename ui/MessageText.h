#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>

namespace vareldo {

// A message box's text that wraps at word boundaries and, where one word is wider than
// the box, inside that word, so that the whole text stays in view. The text is drawn as
// given; line breaks in it start new lines. A label still, for screen readers.
class MessageText : public QLabel {
    Q_OBJECT
public:
    explicit MessageText(const QString& text, QWidget* parent = nullptr);

    // The widest the text lays itself out before it wraps.
    void setWrapWidth(int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    // The lines as drawn at the present width.
    QStringList displayLines() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int naturalWidth() const;

    int wrapWidth_ = QWIDGETSIZE_MAX;
};

} // namespace vareldo
