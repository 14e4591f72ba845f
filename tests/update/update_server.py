# Serves the folder argv[1] on 127.0.0.1 and prints the port; below /cut/ a file is announced whole,
# half of it is sent, and the server hangs up.
import functools, http.server, sys


class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        if not self.path.startswith("/cut/"):
            return super().do_GET()
        with open(self.translate_path(self.path[len("/cut"):]), "rb") as f:
            body = f.read()
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body[: len(body) // 2])
        self.close_connection = True


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=sys.argv[1]))
print(server.server_address[1], flush=True)
server.serve_forever()
