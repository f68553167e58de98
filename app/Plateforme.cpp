#include "app/Plateforme.h"

#ifdef Q_OS_WASM
#include <emscripten/val.h>

QString Plateforme::AdressePage()
{
    return QString::fromStdString(emscripten::val::global("location")["href"].as<std::string>());
}

#else

QString Plateforme::AdressePage()
{
    return QString();
}

#endif
