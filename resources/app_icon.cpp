#include "resources/app_icon.hpp"

namespace vovodi {

QIcon appIcon()
{
    return QIcon{};
}

}  // namespace vovodi
