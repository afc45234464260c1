package android.app;

public final class PendingIntent {
    PendingIntent() {}
}
