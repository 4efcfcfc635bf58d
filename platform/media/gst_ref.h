#pragma once
// Owning handles for GStreamer objects, so that every reference taken is
// dropped on every path out of a function.

#include <gst/gst.h>

#include <memory>
#include <string>

namespace media {

struct GstObjectUnref {
    void operator()(gpointer object) const { gst_object_unref(object); }
};
struct GstMessageUnref {
    void operator()(GstMessage* message) const { gst_message_unref(message); }
};
struct GstSampleUnref {
    void operator()(GstSample* sample) const { gst_sample_unref(sample); }
};
struct GErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
struct GFree {
    void operator()(gpointer p) const { g_free(p); }
};

using ElementRef = std::unique_ptr<GstElement, GstObjectUnref>;
using BusRef = std::unique_ptr<GstBus, GstObjectUnref>;
using MessageRef = std::unique_ptr<GstMessage, GstMessageUnref>;
using SampleRef = std::unique_ptr<GstSample, GstSampleUnref>;
using ErrorRef = std::unique_ptr<GError, GErrorFree>;
using GCharRef = std::unique_ptr<gchar, GFree>;

// The text of an error message on a bus.
inline std::string errorText(GstMessage* message) {
    GError* error = nullptr;
    gchar* debug = nullptr;
    gst_message_parse_error(message, &error, &debug);
    const ErrorRef owned(error);
    const GCharRef ownedDebug(debug);
    return owned ? owned->message : "unknown error";
}

}  // namespace media
