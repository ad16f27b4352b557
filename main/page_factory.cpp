#include "main/page_factory.h"

#include "recognition/page/recognition_page.h"
#include "update/page/update_page.h"

PageFactory application_pages()
{
    PageFactory pages = placeholder_page_factory();
    pages.recognition = [](kivo::PageHost& host) { return std::make_unique<DeviceRecognitionViewController>(host); };
    pages.update = [](kivo::PageHost& host, int mode) { return std::make_unique<UpdateViewController>(host, mode); };
    return pages;
}
