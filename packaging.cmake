# The Debian package: `cpack` in a build folder (scripts/package.sh does it all).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME widmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Widmark Calculator developers")
set(CPACK_PACKAGE_CONTACT "The Widmark Calculator developers <maintainers@widmark.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Japanese breath-alcohol calculator by the Widmark method
Widmark法算定計算 estimates the alcohol held in one litre of breath, in
milligrams, from the drinks taken, body weight and the time since drinking
began, and judges the figure against the 0.15 mg/L limit of Japanese
drink-driving law. The figure is an estimate for reference only.")
# Libraries from dpkg-shlibdeps; the design face and Qt's Japanese texts by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
