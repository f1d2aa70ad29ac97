// The small pictures beside the captions of the Copy and Save buttons, drawn
// at run time so that the program carries no image files.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "platform/win32/Handles.h"

namespace quorvex {

inline void DestroyImageList(HIMAGELIST list) { ImageList_Destroy(list); }
using UniqueImageList = UniqueHandle<NullInvalid<HIMAGELIST, DestroyImageList>>;

enum class ButtonPicture { Copy, Save };

// A one-picture image list of 16 x 16 pixels, for BCM_SETIMAGELIST.
UniqueImageList MakeButtonPicture(ButtonPicture picture);

}  // namespace quorvex
