#include "OggWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

namespace soundgen {

namespace {

constexpr int kStreamSerial = 0x51534E44;
constexpr int kChunkFrames = 4096;

void appendPage(const ogg_page& page, std::vector<std::uint8_t>& out) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

// The libvorbis objects of one encoding, released in reverse order.
class VorbisEncoder {
  public:
    VorbisEncoder(int channels, float quality) {
        vorbis_info_init(&info_);
        ok_ = vorbis_encode_init_vbr(&info_, channels, kSampleRate, quality) == 0;
        vorbis_comment_init(&comment_);
        if (!ok_) return;
        vorbis_comment_add_tag(&comment_, "ENCODER", "quasarine soundgen");
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        ogg_stream_init(&stream_, kStreamSerial);
    }

    ~VorbisEncoder() {
        if (ok_) {
            ogg_stream_clear(&stream_);
            vorbis_block_clear(&block_);
            vorbis_dsp_clear(&dsp_);
        }
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }

    VorbisEncoder(const VorbisEncoder&) = delete;
    VorbisEncoder& operator=(const VorbisEncoder&) = delete;

    bool ok() const { return ok_; }

    void writeHeaders(std::vector<std::uint8_t>& out) {
        ogg_packet header, comments, codebooks;
        vorbis_analysis_headerout(&dsp_, &comment_, &header, &comments, &codebooks);
        ogg_stream_packetin(&stream_, &header);
        ogg_stream_packetin(&stream_, &comments);
        ogg_stream_packetin(&stream_, &codebooks);
        // Audio starts on a fresh page, as the format asks.
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0) appendPage(page, out);
    }

    // Feeds frames (none: end of stream) and collects the pages they complete.
    void write(const PcmBuffer& pcm, std::size_t first, std::size_t count,
               std::vector<std::uint8_t>& out) {
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(count));
            for (std::size_t i = 0; i < count; ++i) {
                for (int c = 0; c < pcm.channels; ++c) {
                    buffer[c][i] = pcm.samples[(first + i) * pcm.channels + c];
                }
            }
        }
        vorbis_analysis_wrote(&dsp_, static_cast<int>(count));
        drain(out);
    }

  private:
    void drain(std::vector<std::uint8_t>& out) {
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
                ogg_stream_packetin(&stream_, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream_, &page) != 0) appendPage(page, out);
                if (packet.e_o_s) {
                    while (ogg_stream_flush(&stream_, &page) != 0) appendPage(page, out);
                }
            }
        }
    }

    bool ok_ = false;
    vorbis_info info_;
    vorbis_comment comment_;
    vorbis_dsp_state dsp_;
    vorbis_block block_;
    ogg_stream_state stream_;
};

}  // namespace

std::vector<std::uint8_t> encodeOgg(const PcmBuffer& pcm, float quality) {
    std::vector<std::uint8_t> out;
    VorbisEncoder encoder(pcm.channels, quality);
    if (!encoder.ok()) return out;
    encoder.writeHeaders(out);
    const std::size_t frames = pcm.frames();
    for (std::size_t first = 0; first < frames; first += kChunkFrames) {
        encoder.write(pcm, first, std::min<std::size_t>(kChunkFrames, frames - first), out);
    }
    encoder.write(pcm, 0, 0, out);
    return out;
}

}  // namespace soundgen
