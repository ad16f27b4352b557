#include "app/resource_images.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <array>

#include "text/product_names.h"

// Resources of a static library must be registered by name, from outside any namespace.
static void register_application_resources()
{
    Q_INIT_RESOURCE(app);
    Q_INIT_RESOURCE(products);
}

namespace kivo::images {

namespace {

QPixmap render(const QString& resource, QSize size)
{
    static const bool registered = (register_application_resources(), true);
    (void)registered;
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace

QPixmap load(const QString& name, QSize size) { return render(QStringLiteral(":/app/") + name, size); }

QPixmap product_picture(const std::string& name, QSize size)
{
    return render(QString::fromStdString(picture_resource_path(name)), size);
}

QPixmap application() { return load(QStringLiteral("application.svg"), {96, 96}); }
QPixmap brand() { return load(QStringLiteral("brand.svg"), {300, 72}); }
QPixmap caution() { return load(QStringLiteral("caution.svg"), {96, 96}); }

QPixmap language_flag(int language)
{
    static const std::array<const char*, 13> flags = {"english", "french",  "german", "italian", "japanese",
                                                      "korean",  "spanish", "dutch",  "russian", "chinese",
                                                      "finnish", "czech",   "polish"};
    const char* flag = language >= 0 && language < 13 ? flags[static_cast<size_t>(language)] : flags[0];
    return load(QStringLiteral("flags/%1.svg").arg(QLatin1String(flag)), {36, 24});
}

} // namespace kivo::images
