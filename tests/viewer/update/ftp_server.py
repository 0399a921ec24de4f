#!/usr/bin/env python3
"""A throw-away FTP server for the update tests: serves one folder on 127.0.0.1 with one
user, prints the chosen port on the first line and ends when its stdin closes."""
import argparse
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    args = parser.parse_args()

    logging.basicConfig(level=logging.WARNING)
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elr")
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.auth_failed_timeout = 0  # answer a refused login at once
    server = FTPServer(("127.0.0.1", 0), handler)
    print(server.socket.getsockname()[1], flush=True)

    def watch_parent():
        sys.stdin.read()  # returns when the test closes the pipe or dies
        os._exit(0)

    threading.Thread(target=watch_parent, daemon=True).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
