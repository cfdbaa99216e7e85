#pragma once

#include <QCheckBox>
#include <QString>
#include <QTest>
#include <QWidget>

#include <memory>
#include <type_traits>

// What a test gets when it looks for a control that is not there: the
// running case fails with the control's name, and the test goes on with a
// blank, hidden control of the kind it asked for, so that its other cases
// still run and report (a crash or a fatal message would lose them all).
class StandIns {
public:
    template <class T>
    T* missing(const QString& what, const char* file, int line)
    {
        QTest::qFail(qPrintable(QStringLiteral("no control %1").arg(what)), file, line);
        if (!holder_)
            holder_ = std::make_shared<QWidget>();
        if constexpr (std::is_same_v<T, QAbstractButton>)
            return new QCheckBox(holder_.get());
        else
            return new T(holder_.get());
    }

private:
    // Shared, so that the owner stays copyable; hidden, never shown.
    std::shared_ptr<QWidget> holder_;
};
