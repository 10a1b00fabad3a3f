// The browser side of the platform layer (platform/web), run inside the
// module: the canvas, keys, the clock, the sound and the work between frames.
// The C++ of this folder calls it through small EM_JS functions; the page
// (index.html) hands in its part as Module.page: the question, the messages,
// the place for the canvas, the audio context made in an answer's click (one
// for every run), and the fixed frame rate and holds a page may ask for.

var QuorvelWeb = {
  page: Module['page'],
  events: [],          // what the program has yet to hear of: 'escape', 'left full screen'
  listeners: [],       // [target, event, handler], removed at the end
  canvas: null,
  background: null,    // the render task's channel, closed at the end
  fullscreen: false,
  ended: false,
  framesShown: 0,

  listen: function(target, event, handler) {
    target.addEventListener(event, handler);
    QuorvelWeb.listeners.push([target, event, handler]);
  },

  // Escape becomes the Escape key, as on a desktop, and so does a tap on a
  // touch screen, which has no Escape; leaving full screen (which browsers do
  // on Escape themselves) the window's close.
  startWindowSystem: function() {
    QuorvelWeb.listen(window, 'keydown', function(event) {
      if (event.key === 'Escape') QuorvelWeb.events.push('escape');
    });
    QuorvelWeb.listen(window, 'pointerdown', function(event) {
      if (event.pointerType === 'touch') QuorvelWeb.events.push('escape');
    });
    QuorvelWeb.listen(document, 'fullscreenchange', function() {
      if (QuorvelWeb.fullscreen && !document.fullscreenElement) QuorvelWeb.events.push('left full screen');
    });
  },

  stopWindowSystem: function() {
    QuorvelWeb.listeners.forEach(function(l) { l[0].removeEventListener(l[1], l[2]); });
    QuorvelWeb.listeners = [];
  },

  requestFullscreen: function() {
    var stage = QuorvelWeb.page.stage;
    if (!stage.requestFullscreen) return 0;
    QuorvelWeb.fullscreen = true;
    stage.requestFullscreen().catch(function() {});
    return 1;
  },

  restoreDisplay: function() {
    QuorvelWeb.fullscreen = false;
    if (document.fullscreenElement) document.exitFullscreen().catch(function() {});
  },

  createCanvas: function(width, height, hidden) {
    var canvas = document.createElement('canvas');
    canvas.id = 'canvas';
    canvas.width = width;
    canvas.height = height;
    if (hidden) canvas.style.display = 'none';
    QuorvelWeb.page.stage.appendChild(canvas);
    QuorvelWeb.canvas = canvas;
  },

  removeCanvas: function() {
    if (QuorvelWeb.canvas) QuorvelWeb.canvas.remove();
    QuorvelWeb.canvas = null;
  },

  // After each frame: the browser shows it when the program hands control
  // back, and calls again at the next animation frame. A page that asked for
  // a fixed rate may hold the show at some moments (for a still).
  nextFrame: function() {
    var shown = QuorvelWeb.framesShown++;
    var page = QuorvelWeb.page;
    if (shown === 0) page.status.firstFrameAt = performance.now();
    page.status.framesShown = QuorvelWeb.framesShown;
    var held = page.fixedFrameRate ? page.holdAfterFrame(shown) : Promise.resolve();
    return held.then(function() {
      return new Promise(function(resolve) { requestAnimationFrame(function() { resolve(); }); });
    });
  },

  // ---- work between frames -------------------------------------------------
  // The song renders on the main thread in slices, a task of them at a time,
  // so that animation frames come between tasks. Where drawing is slow (a
  // software GL) a frame can hold the main thread for most of a second and
  // only a task or two fit between frames: while the sound's lead on its
  // playback is short, a task renders for longer.
  TASK_MILLISECONDS: 6,
  CATCH_UP_MILLISECONDS: 40,
  LEAD_WANTED: 8 * 44100,

  startBackground: function(routine, argument) {
    var run = wasmTable.get(routine);
    var channel = QuorvelWeb.background = new MessageChannel();
    channel.port1.onmessage = function() {
      if (QuorvelWeb.ended) return;
      var short = QuorvelWeb.wave.lead() < QuorvelWeb.LEAD_WANTED;
      var until = performance.now() + (short ? QuorvelWeb.CATCH_UP_MILLISECONDS : QuorvelWeb.TASK_MILLISECONDS);
      var more;
      do { more = run(argument); } while (more && performance.now() < until);
      QuorvelWeb.wave.pump();
      if (more) channel.port2.postMessage(0);
    };
    channel.port2.postMessage(0);
  },

  // A port with a handler stays alive until it is closed, and with it
  // everything its handler reaches: the whole run, its memory included.
  stopBackground: function() {
    var channel = QuorvelWeb.background;
    QuorvelWeb.background = null;
    if (!channel) return;
    channel.port1.close();
    channel.port2.close();
  },

  // ---- sound -----------------------------------------------------------------
  // An AudioWorklet plays the caller's buffer: the main thread hands it every
  // finished frame (planar copies, transferred), it plays them in order and
  // reports how many it has played. It plays silence until half a second of
  // the song is there (the start-up latency a sound device has, while the
  // render gets going); a frame it needs and does not have after that is an
  // underrun.
  wave: {
    node: null,
    samples: 0, frameCount: 0, written: 0, // the caller's buffer and its count of finished frames
    sent: 0, played: 0, underruns: 0, minimumLead: Infinity,
    flowing: false, reportedAt: 0, heard: 0, failed: false,  // see heardSeconds
    pending: [],

    // At the answer: the module takes a while to load, and the music's start
    // would wait for it.
    loadModule: function() {
      var audio = QuorvelWeb.page.audio;
      if (audio.moduleLoaded || !audio.context || !audio.context.audioWorklet) return;
      var source = '(' + QuorvelWeb.waveProcessor.toString() + ')();';
      var url = URL.createObjectURL(new Blob([source], {type: 'text/javascript'}));
      audio.moduleLoaded = audio.context.audioWorklet.addModule(url).finally(function() { URL.revokeObjectURL(url); });
    },

    open: function() {
      var audio = QuorvelWeb.page.audio;
      var context = audio.context;
      if (!context || !context.audioWorklet) return 0;
      QuorvelWeb.wave.loadModule();
      var wave = QuorvelWeb.wave;
      audio.moduleLoaded.then(function() {
        if (QuorvelWeb.ended) return;
        wave.node = new AudioWorkletNode(context, 'quorvel-wave', {outputChannelCount: [2]});
        wave.node.port.onmessage = function(event) {
          wave.played = event.data.played;
          wave.underruns = event.data.underruns;
          wave.minimumLead = event.data.minimumLead;
          wave.flowing = event.data.flowing;
          wave.reportedAt = event.data.at;
          QuorvelWeb.report();
        };
        wave.node.connect(context.destination);
        wave.pending.forEach(function(message) { wave.node.port.postMessage(message[0], message[1]); });
        wave.pending = [];
      }).catch(function() { wave.failed = true; });
      return 1;
    },

    play: function(samples, frameCount, written) {
      var wave = QuorvelWeb.wave;
      wave.samples = samples;
      wave.frameCount = frameCount;
      wave.written = written;
      wave.post({total: frameCount}, []);
      wave.pump();
    },

    post: function(message, transfer) {
      var wave = QuorvelWeb.wave;
      if (wave.node) wave.node.port.postMessage(message, transfer);
      else wave.pending.push([message, transfer]);
    },

    // Frames finished and not yet played; unbounded before playback.
    lead: function() {
      var wave = QuorvelWeb.wave;
      if (!wave.frameCount) return Infinity;
      return Math.min(HEAP32[wave.written >> 2], wave.frameCount) - wave.played;
    },

    // How much of the song has been heard, in seconds; -1 where nothing holds
    // the clock back: no sound, or the song over. The worklet reports every
    // 1024 frames, more than a frame apart: in between, the audio context's
    // time says how far it has played on, as far as it had frames to play.
    heardSeconds: function() {
      var wave = QuorvelWeb.wave;
      var context = QuorvelWeb.page.audio.context;
      if (wave.failed || wave.played >= wave.frameCount) return -1;
      var heard = wave.played;
      if (wave.flowing) heard += Math.max(0, context.currentTime - wave.reportedAt) * context.sampleRate;
      wave.heard = Math.max(wave.heard, Math.min(heard, wave.sent));
      return wave.heard / context.sampleRate;
    },

    // Hands the worklet the frames finished since the last call.
    pump: function() {
      var wave = QuorvelWeb.wave;
      if (!wave.frameCount) return;
      var ready = Math.min(HEAP32[wave.written >> 2], wave.frameCount);
      if (ready <= wave.sent) return;
      var count = ready - wave.sent;
      var left = new Float32Array(count), right = new Float32Array(count);
      var interleaved = HEAPF32.subarray((wave.samples >> 2) + 2 * wave.sent, (wave.samples >> 2) + 2 * ready);
      for (var i = 0; i < count; ++i) {
        left[i] = interleaved[2 * i];
        right[i] = interleaved[2 * i + 1];
      }
      wave.post({left: left, right: right}, [left.buffer, right.buffer]);
      wave.sent = ready;
    },

    // A node lives on until its processor ends, and with it what its port's
    // handler reaches: the whole run.
    close: function() {
      var wave = QuorvelWeb.wave;
      if (wave.node) {
        wave.node.disconnect();
        wave.node.port.onmessage = null;
        wave.node.port.postMessage({stop: true});
      }
      wave.node = null;
      wave.pending = [];
    },
  },

  // The worklet's code, sent to the audio thread as a module of its own.
  waveProcessor: function() {
    class QuorvelWave extends AudioWorkletProcessor {
      constructor() {
        super();
        this.chunks = [];
        this.offset = 0;   // into the first chunk
        this.total = 0;
        this.queued = 0;
        this.played = 0;
        this.underruns = 0;
        this.minimumLead = Infinity;  // frames in hand, at the worst moment of playback
        this.calls = 0;
        this.stopped = false;
        var self = this;
        this.port.onmessage = function(event) {
          // The end of a run. What the processor holds goes at once: this
          // thread's garbage is collected on a schedule of its own.
          if (event.data.stop) {
            self.stopped = true;
            self.chunks = [];
            self.port.close();
            return;
          }
          if (event.data.total !== undefined) self.total = event.data.total;
          if (!event.data.left) return;
          self.chunks.push(event.data);
          self.queued += event.data.left.length;
        };
      }
      process(inputs, outputs) {
        if (this.stopped) return false;
        var left = outputs[0][0], right = outputs[0][1];
        var i = 0;
        var starting = this.played === 0 && this.queued < Math.min(22050, this.total);
        while (!starting && i < left.length && this.chunks.length) {
          var chunk = this.chunks[0];
          var n = Math.min(left.length - i, chunk.left.length - this.offset);
          left.set(chunk.left.subarray(this.offset, this.offset + n), i);
          right.set(chunk.right.subarray(this.offset, this.offset + n), i);
          i += n;
          this.offset += n;
          this.played += n;
          if (this.offset === chunk.left.length) {
            this.chunks.shift();
            this.offset = 0;
          }
        }
        if (i < left.length && !starting && this.played < this.total) this.underruns++;
        if (!starting && this.queued < this.total) this.minimumLead = Math.min(this.minimumLead, this.queued - this.played);
        left.fill(0, i);
        right.fill(0, i);
        if (++this.calls % 8 === 0) {
          // Where the context's time will be when the next block starts,
          // and whether this one played frames all through.
          this.port.postMessage({played: this.played, underruns: this.underruns, minimumLead: this.minimumLead,
                                 at: currentTime + left.length / sampleRate, flowing: i === left.length});
        }
        return true;
      }
    }
    registerProcessor('quorvel-wave', QuorvelWave);
  },

  // What the page shows of the run to whoever looks (its status object).
  report: function() {
    var wave = QuorvelWeb.wave;
    var status = QuorvelWeb.page.status;
    status.framesShown = QuorvelWeb.framesShown;
    status.soundPlayed = wave.played;
    status.soundWritten = wave.written ? HEAP32[wave.written >> 2] : 0;
    status.underruns = wave.underruns;
    status.minimumLead = wave.minimumLead === Infinity ? null : wave.minimumLead;
  },

  end: function(exitCode) {
    QuorvelWeb.ended = true;
    QuorvelWeb.report();
    QuorvelWeb.stopBackground();
    QuorvelWeb.wave.close();
    QuorvelWeb.stopWindowSystem();
    QuorvelWeb.removeCanvas();
    QuorvelWeb.page.ended(exitCode);
  },
};
