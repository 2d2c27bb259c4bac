#include "testsupport/umgebungsvariablen.h"

#include <QFile>

namespace kronel::test {

Umgebungsvariablen::~Umgebungsvariablen() {
    // Backwards, though each name is kept once with its first value.
    for (auto it = alt_.rbegin(); it != alt_.rend(); ++it) {
        if (it->second) {
            qputenv(it->first.constData(), *it->second);
        } else {
            qunsetenv(it->first.constData());
        }
    }
}

void Umgebungsvariablen::setzen(const char* name, const QByteArray& wert) {
    merken(name);
    qputenv(name, wert);
}

void Umgebungsvariablen::setzen(const char* name, const QString& wert) {
    setzen(name, QFile::encodeName(wert));
}

void Umgebungsvariablen::loeschen(const char* name) {
    merken(name);
    qunsetenv(name);
}

void Umgebungsvariablen::merken(const char* name) {
    for (const auto& a : alt_) {
        if (a.first == name) {
            return;
        }
    }
    alt_.emplace_back(
        name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
}

}  // namespace kronel::test
