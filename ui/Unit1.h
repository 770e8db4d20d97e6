#pragma once

#include <QWidget>

namespace vareldo {

class T_PRINCIPALE : public QWidget {
    Q_OBJECT
public:
    explicit T_PRINCIPALE(QWidget* parent = nullptr);
};

} // namespace vareldo
