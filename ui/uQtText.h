#pragma once

// The few conversions every window needs between the engine's UTF-8 texts and Qt's widgets.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <string>
#include <vector>

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

inline void SetText(QLabel* label, const std::string& text) {
    label->setText(Q(text));
}

// Rewrites a field only when its text differs, so a field being typed in keeps its cursor.
inline void SetField(QLineEdit* field, const std::string& text) {
    if (field->text() != Q(text))
        field->setText(Q(text));
}

// A choice list with its object name (the tests find widgets by name) and its items.
inline QComboBox* MakeChoice(const char* name, const std::vector<std::string>& items) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromUtf8(name));
    for (const std::string& item : items)
        box->addItem(Q(item));
    return box;
}
