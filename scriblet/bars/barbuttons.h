// The buttons of one toolbar as data: what the customisation changes and what
// the settings file keeps. A button is a command id with its look (image, text or
// both), whether a separator stands before it, and its own text (empty: the
// command's current text, so a renamed macro or tool shows its new name).
#pragma once

#include <QList>
#include <QString>
#include <optional>

enum class ButtonStyle { Image = 0, Text = 1, ImageAndText = 2 };

struct BarButton {
    int id = 0;
    ButtonStyle style = ButtonStyle::Image;
    bool group = false;  // a separator stands before this button
    QString caption;     // empty: the command's own text
    bool operator==(const BarButton &) const = default;
};

class BarButtons
{
public:
    // Longest own text a button keeps, and the most buttons a bar holds: a
    // settings value beyond them is refused as malformed.
    static constexpr int MaxCaption = 80;
    static constexpr int MaxButtons = 500;

    BarButtons() = default;
    explicit BarButtons(QList<BarButton> buttons) : m_buttons(std::move(buttons)) {}

    const QList<BarButton> &buttons() const { return m_buttons; }
    int size() const { return int(m_buttons.size()); }
    bool isEmpty() const { return m_buttons.isEmpty(); }
    const BarButton &at(int i) const { return m_buttons.at(i); }
    QList<int> ids() const;

    // index is clamped to 0..size(); false when the bar is full.
    bool insert(int index, const BarButton &b);
    // Moves the button at from so that it ends at index to (clamped).
    bool move(int from, int to);
    bool remove(int index);
    bool setStyle(int index, ButtonStyle style);
    bool setCaption(int index, const QString &caption);
    bool toggleGroup(int index);

    // The "Buttons" value: "1" (the format), then per button ";" and
    // "<id>,<style>,<group>" with style 0 image, 1 text, 2 both and group 0 or 1,
    // followed by "," and the own text percent-encoded when there is one:
    //   1;57600,0,0;33024,2,1,Mein%20LaTeX
    // "1" alone is a bar without buttons; an empty value means the built-in layout.
    QString toSetting() const;
    // nullopt for an empty or malformed value (the caller keeps its built-in layout).
    static std::optional<BarButtons> fromSetting(const QString &value);

    bool operator==(const BarButtons &) const = default;

private:
    bool valid(int index) const { return index >= 0 && index < m_buttons.size(); }
    QList<BarButton> m_buttons;
};
