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

// The side of a button's picture: the system's small icon size.
constexpr int kButtonPicturePixels = 16;

// A one-picture image list of kButtonPicturePixels square, for BCM_SETIMAGELIST.
UniqueImageList MakeButtonPicture(ButtonPicture picture);

}  // namespace quorvex
