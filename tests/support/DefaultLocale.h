#pragma once
#include <QLocale>

// Sets the regional settings (the default QLocale) for one test and puts the previous ones back afterwards.
class DefaultLocale {
public:
    explicit DefaultLocale(QLocale::Language language, QLocale::Country country) {
        QLocale::setDefault(QLocale(language, country));
    }
    ~DefaultLocale() { QLocale::setDefault(saved_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale saved_;
};
