# Debian packages the program needs at run time that dpkg-shlibdeps cannot
# find in its ELF dependencies: Qt's platform plugins and Mesa's GL drivers,
# which are loaded as plugins, and the fonts the panel asks for by name.
# Keep each list on one line: scripts/install-deps reads them from here.
set(MARLOQUENT_RUNTIME_PACKAGES qt6-qpa-plugins libgl1-mesa-dri)
set(MARLOQUENT_FONT_PACKAGES fonts-wine fonts-dejavu-core fonts-dejavu-extra)
# Wayland sessions run the program natively with the first; XWayland does
# without. The second gives Qt's own dialogs (the file dialog) German texts.
set(MARLOQUENT_RECOMMENDED_PACKAGES qt6-wayland qt6-translations-l10n)
