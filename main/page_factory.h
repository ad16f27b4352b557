#pragma once

#include "app/app_controller.h"

// The application's pages.
PageFactory application_pages();
