#include "components/common/ComponentServer.h"

#include "platform/core/ComponentRegistry.h"

#include <QFileInfo>

#include <dlfcn.h>

#include <cstring>

namespace talvo::component {
namespace {

int liveInstances = 0;

class ClassFactory : public QuestionWidgetFactory
{
public:
    QuestionWidget* CreateInstance(QWidget* parent) override { return ThisComponentClass().Create(parent); }
};

ClassFactory factory;

// Any object of this library will do: dladdr names the file it was loaded from.
const char libraryAnchor = 0;

QString ThisLibraryPath()
{
    Dl_info info{};
    if (dladdr(&libraryAnchor, &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

} // namespace

void InstanceCreated()
{
    ++liveInstances;
}
void InstanceDestroyed()
{
    --liveInstances;
}

} // namespace talvo::component

using namespace talvo;
using namespace talvo::component;

extern "C" {

Q_DECL_EXPORT ComponentResult DllRegisterServer()
{
    const QString library = ThisLibraryPath();
    if (library.isEmpty())
        return ComponentRegistryFailed;
    const ComponentClass& component = ThisComponentClass();
    const ComponentRegistration entry{QString::fromLatin1(component.ProgID), QString::fromLatin1(component.ClassId),
                                      library};
    return WriteComponentRegistration(entry) ? ComponentOk : ComponentRegistryFailed;
}

Q_DECL_EXPORT ComponentResult DllUnregisterServer()
{
    const ComponentClass& component = ThisComponentClass();
    return RemoveComponentRegistration(QString::fromLatin1(component.ProgID), QString::fromLatin1(component.ClassId))
               ? ComponentOk
               : ComponentRegistryFailed;
}

Q_DECL_EXPORT ComponentResult DllGetClassObject(const char* classId, const char* interfaceId, void** object)
{
    if (!object)
        return ComponentInvalidArgument;
    *object = nullptr;
    if (!classId || !interfaceId)
        return ComponentInvalidArgument;
    if (QString::fromLatin1(classId).compare(QLatin1String(ThisComponentClass().ClassId), Qt::CaseInsensitive) != 0)
        return ComponentClassNotAvailable;
    if (std::strcmp(interfaceId, QuestionWidgetFactoryId) != 0)
        return ComponentNoInterface;
    *object = static_cast<QuestionWidgetFactory*>(&factory);
    return ComponentOk;
}

Q_DECL_EXPORT ComponentResult DllCanUnloadNow()
{
    return liveInstances == 0 ? ComponentOk : ComponentFalse;
}

} // extern "C"
