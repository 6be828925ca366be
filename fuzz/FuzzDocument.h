#pragma once

#include <string>
#include <string_view>

#include "base/DocumentCodec.h"
#include "base/SettingsDefaults.h"
#include "base/StartUp.h"
#include "base/Wizard.h"
#include "bench/SilentPorts.h"
#include "custom/CustomSchemas.h"
#include "fuzz/FuzzMessages.h"
#include "support/MemoryHost.h"
#include "support/MemorySettingsStore.h"

// A started wizard over a document in memory, as zendal-cli has it over a file: the bytes are
// decoded as the file host decodes them, the settings are read from an empty store and the
// document becomes the active one. Decoding the re-encoded text must give the same text.
class FuzzDocument {
  public:
    explicit FuzzDocument(std::string_view bytes) : decoded(zendal::DocumentCodec::Decode(bytes)) {
        const std::string again = zendal::DocumentCodec::Encode(decoded.text, decoded.format);
        const auto redecoded = zendal::DocumentCodec::Decode(again);
        if (redecoded.text != decoded.text || redecoded.format != decoded.format) {
            std::abort();
        }
        host.fileName = "/fuzz/document.html";
        host.text = decoded.text;
        wizard.programFolder = "/nonexistent-zendal-home/";
        wizard.settings = &settings;
        zendal::SettingsDefaults::GetDefaults(wizard, zendal::CustomSchemas::scnameClick);
        wizard.host = &host;
        if (!zendal::StartUp::TakeActiveDocument(wizard)) {
            std::abort();
        }
    }

    // The host's text as the file would hold it.
    std::string EncodedBytes() const {
        return zendal::DocumentCodec::Encode(host.text, decoded.format);
    }

    zendal::DocumentCodec::Decoded decoded;
    FuzzMessages messages;
    NullStatus status;
    zendal::test::MemorySettingsStore settings;
    zendal::test::MemoryHost host;
    zendal::Wizard wizard{messages, status};
};
