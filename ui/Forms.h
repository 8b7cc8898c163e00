// The forms layer in one include: application, forms, controls, canvas, dialogs.
#pragma once

#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/Control.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Form.h"
#include "ui/PageControl.h"
#include "ui/Services.h"
#include "ui/StringGrid.h"
#include "ui/Types.h"
