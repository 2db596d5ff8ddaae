// Drives the module's Start command from the page's event loop: each step is drawn, and its
// pause is a timer, so the page never waits inside a handler. 300000 decrements last 15 ms.

const decrementMilliseconds = 15 / 300000;

export class StartRunner {
    constructor(pageStart, onFinished) {
        this.pageStart = pageStart;
        this.onFinished = onFinished;
        this.running = false;
    }

    start() {
        this.pageStart.begin();
        this.running = true;
        this.advance();
    }

    // Steps with no pause after them follow at once, so at slowdown 0 the whole picture
    // appears in one go.
    advance() {
        for (;;) {
            const pause = this.pageStart.step();
            if (pause < 0) {
                this.running = false;
                document.dispatchEvent(new CustomEvent('quorvel:finished'));
                this.onFinished();
                return;
            }
            document.dispatchEvent(new CustomEvent('quorvel:pause', { detail: pause }));
            if (pause > 0) {
                // Whole milliseconds, rounded up: a timer never ends before its time.
                setTimeout(() => this.advance(), Math.ceil(Math.min(pause * decrementMilliseconds, 2 ** 31 - 1)));
                return;
            }
        }
    }
}
