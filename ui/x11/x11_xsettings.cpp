#include "ui/x11/x11_xsettings.h"

#include "ui/xsettings.h"

namespace veskaro::x11 {

DoubleClickSettings ReadDoubleClickSettings(const Connection& connection) {
  const Atoms& a = connection.atoms();
  const Window manager = XGetSelectionOwner(connection.display(), a.xsettingsOwner);
  if (manager == None) return {};
  return DoubleClickSettingsFrom(
      connection.Bytes(manager, a.xsettingsSettings, a.xsettingsSettings));
}

}  // namespace veskaro::x11
