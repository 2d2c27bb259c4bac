#pragma once
// Environment variables set or removed for a while.

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace kronel::test {

// Puts every variable it touched back as it was, set or not, when it goes.
class Umgebungsvariablen {
public:
    Umgebungsvariablen() = default;
    ~Umgebungsvariablen();
    Umgebungsvariablen(const Umgebungsvariablen&) = delete;
    Umgebungsvariablen& operator=(const Umgebungsvariablen&) = delete;

    void setzen(const char* name, const QByteArray& wert);
    void setzen(const char* name, const char* wert) { setzen(name, QByteArray(wert)); }
    // A path or text, in the encoding of file names.
    void setzen(const char* name, const QString& wert);
    void loeschen(const char* name);

private:
    void merken(const char* name);
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> alt_;
};

}  // namespace kronel::test
