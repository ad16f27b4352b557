find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(nlohmann_json 3.11 REQUIRED)

# The device libraries: the application links the real ones, the tests the simulated bus.
pkg_check_modules(HIDAPI REQUIRED IMPORTED_TARGET hidapi-hidraw)
pkg_check_modules(LIBUSB1 REQUIRED IMPORTED_TARGET libusb-1.0)
pkg_check_modules(LIBUSB01 REQUIRED IMPORTED_TARGET libusb)

# Headers of the device libraries without their code, for the link layer.
add_library(kivo_device_headers INTERFACE)
target_include_directories(kivo_device_headers SYSTEM INTERFACE
    ${HIDAPI_INCLUDE_DIRS} ${LIBUSB1_INCLUDE_DIRS} ${LIBUSB01_INCLUDE_DIRS})

# mbedtls 2.28 ships no pkg-config file: its crypto library (MD5, DES) is found directly.
find_library(MBEDCRYPTO_LIBRARY mbedcrypto REQUIRED)
find_path(MBEDTLS_INCLUDE_DIR mbedtls/md5.h REQUIRED)
add_library(kivo_mbedcrypto INTERFACE)
target_include_directories(kivo_mbedcrypto SYSTEM INTERFACE ${MBEDTLS_INCLUDE_DIR})
target_link_libraries(kivo_mbedcrypto INTERFACE ${MBEDCRYPTO_LIBRARY})

find_package(ZLIB REQUIRED)

# The firmware server is read over HTTP.
pkg_check_modules(LIBCURL REQUIRED IMPORTED_TARGET libcurl)

if(KIVO_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()
if(KIVO_BUILD_BENCHMARKS)
  find_package(benchmark REQUIRED)
endif()
