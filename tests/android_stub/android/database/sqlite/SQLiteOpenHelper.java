package android.database.sqlite;

import android.content.Context;

public abstract class SQLiteOpenHelper {
    public SQLiteOpenHelper(Context context, String name, SQLiteDatabase.CursorFactory factory, int version) { throw new RuntimeException("Stub!"); }

    public SQLiteDatabase getWritableDatabase() { throw new RuntimeException("Stub!"); }
    public SQLiteDatabase getReadableDatabase() { throw new RuntimeException("Stub!"); }
    public abstract void onCreate(SQLiteDatabase db);
    public abstract void onUpgrade(SQLiteDatabase db, int oldVersion, int newVersion);
}
