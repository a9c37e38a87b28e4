#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Threads that take tasks from one queue, each thread with a `State` of its
// own kept from task to task (a coder and its tables, costly to set up), and
// mark each task `done` when `work` has run on it. What `work` writes into a
// task is the caller's to read once `isDone` or a wait says so.
// Destroying the pool drops what waits and joins the threads after their
// current task.
template <typename Task, typename State>
class WorkerPool
{
public:
    using Work = std::function<void(State&, Task&)>;

    WorkerPool(int workers, Work work)
        : m_workFn(std::move(work))
    {
        if (workers <= 0)
            workers = int(std::max(1u, std::thread::hardware_concurrency()));
        for (int i = 0; i < workers; ++i)
            m_threads.emplace_back([this] { loop(); });
    }

    ~WorkerPool()
    {
        {
            std::lock_guard lock(m_mutex);
            m_quit = true;
            m_queue.clear();
        }
        m_work.notify_all();
        for (std::thread& t : m_threads)
            t.join();
    }

    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    int size() const { return int(m_threads.size()); }

    // `first` puts the task ahead of every task that waits.
    void post(std::shared_ptr<Task> task, bool first = false)
    {
        {
            std::lock_guard lock(m_mutex);
            if (first)
                m_queue.push_front(std::move(task));
            else
                m_queue.push_back(std::move(task));
        }
        m_work.notify_one();
    }
    // A task no worker has begun is not run; one being run finishes.
    void drop(const std::shared_ptr<Task>& task)
    {
        std::lock_guard lock(m_mutex);
        m_queue.erase(std::remove(m_queue.begin(), m_queue.end(), task), m_queue.end());
    }
    void dropAll()
    {
        std::lock_guard lock(m_mutex);
        m_queue.clear();
    }

    void wait(const Task& task)
    {
        std::unique_lock lock(m_mutex);
        m_done.wait(lock, [&] { return task.done; });
    }
    // True when the task is done within `timeout`.
    bool waitFor(const Task& task, std::chrono::milliseconds timeout)
    {
        std::unique_lock lock(m_mutex);
        return m_done.wait_for(lock, timeout, [&] { return task.done; });
    }

private:
    void loop()
    {
        State state;
        for (;;) {
            std::shared_ptr<Task> task;
            {
                std::unique_lock lock(m_mutex);
                m_work.wait(lock, [&] { return m_quit || !m_queue.empty(); });
                if (m_quit)
                    return;
                task = std::move(m_queue.front());
                m_queue.pop_front();
            }
            m_workFn(state, *task);
            {
                std::lock_guard lock(m_mutex);
                task->done = true;
            }
            m_done.notify_all();
        }
    }

    Work m_workFn;
    std::mutex m_mutex;
    std::condition_variable m_work;
    std::condition_variable m_done;
    std::deque<std::shared_ptr<Task>> m_queue;
    bool m_quit = false;
    std::vector<std::thread> m_threads;
};
