#include "app/main/page_factory.h"

PageFactory application_pages() { return placeholder_page_factory(); }
