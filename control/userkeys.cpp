// The four user keys of the machine control window: loaded from `keydef`, sent on a left click,
// edited in the Define Key window on a right click.
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "control/keyfile.h"

#include <QFileInfo>
#include <QPushButton>

#include <algorithm>

QString TControl::keyFilePath() const {
    return keyfile::path(zr8f.AppDir);
}

void TControl::FormActivate() {
    const QString path = keyFilePath();
    if (!QFileInfo::exists(path)) keyfile::createDefault(path);
    setkey();
}

// A failure stops at the record it hit: the keys before it are loaded, the others keep what
// they showed.
void TControl::setkey() {
    keyfile::File file(keyFilePath());
    keyrecord::Record record{};
    for (int k = 0; k < keyrecord::KeyCount; ++k) {
        file.read(k, record);
        const auto key = static_cast<std::size_t>(k);
        Select[key]->setText(keyrecord::label(record));
        KeyImages[key] = keyrecord::image(record);
    }
    file.close();
}

void TControl::SelectClick(int key) {
    const keyrecord::Image& image = KeyImages[static_cast<std::size_t>(key)];
    std::copy(image.begin(), image.end(), zr8f.TxFrame.begin());
    zr8f.sendcmd();
}

void TControl::SelectMouseDown(int key, Qt::MouseButton button) {
    if (button != Qt::RightButton || definekey == nullptr) return;
    if (definekey->isVisible()) {
        definekey->updatekeydata();
        setkey();
    }
    definekey->EditKeyIndex = key;
    if (definekey->isVisible() && definekey->isActiveWindow()) {
        // Already the active window, so no activation will come to read the new key's record.
        definekey->FormActivate();
        return;
    }
    definekey->show();
    definekey->raise();
    definekey->activateWindow();
}
