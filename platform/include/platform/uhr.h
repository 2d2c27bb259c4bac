#pragma once
// The clock seam: logic asks it, never the system, for today and now.

#include <QDateTime>

namespace kronel {

class Uhr {
public:
    virtual ~Uhr() = default;
    virtual QDateTime jetzt() const = 0;
    QDate heute() const { return jetzt().date(); }
};

class SystemUhr final : public Uhr {
public:
    QDateTime jetzt() const override { return QDateTime::currentDateTime(); }
};

}  // namespace kronel
