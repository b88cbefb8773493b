#include "framework/controls.h"

namespace kvr::ui {

KVR_IMPLEMENT_DYNAMIC(CStatic, CWnd)
KVR_IMPLEMENT_DYNAMIC(CButton, CWnd)

}  // namespace kvr::ui
